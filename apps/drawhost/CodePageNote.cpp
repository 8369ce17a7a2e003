#include "apps/drawhost/CodePageNote.h"

#include <map>
#include <string_view>
#include <vector>

#include "host/document/ArtWalk.h"
#include "host/document/Document.h"

namespace drawhost {
namespace {

/// The length of the UTF-8 character that begins with lead (1 for a byte that begins none).
size_t characterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::optional<std::string> codePageNote(const host::Document& document, platform::CodePage codePage) {
  std::map<std::string, bool, std::less<>> held;  // each character met: whether the code page holds it
  std::vector<std::string> missing;
  long long count = 0;
  const auto look = [&](std::string_view text) {
    for (size_t position = 0; position < text.size();) {
      const std::string_view character =
          text.substr(position, characterLength(static_cast<unsigned char>(text[position])));
      position += character.size();
      auto found = held.find(character);
      if (found == held.end()) {
        found = held.emplace(std::string(character), platform::utf8ToCodePage(character, codePage).ok()).first;
        if (!found->second) missing.push_back(found->first);
      }
      if (!found->second) ++count;
    }
  };
  for (int32_t index = 0; index < document.layerCount(); ++index) {
    (void)host::walkArt(*document.layerAt(index)->group(), [&](const host::Art& art) {
      if (art.type() == host::ArtType::TEXT_FRAME) {
        for (const host::Paragraph& paragraph : art.textFrame().story.paragraphs) {
          for (const host::TextRun& run : paragraph.runs) look(run.text);
        }
      }
      return host::WalkStep::CONTINUE;
    });
  }
  if (count == 0) return std::nullopt;
  std::string note = std::to_string(count) + (count == 1 ? " character" : " characters") +
                     " outside the system code page " +
                     std::to_string(static_cast<uint32_t>(codePage)) + ":";
  for (const std::string& character : missing) note += " " + character;
  return note;
}

}  // namespace drawhost
