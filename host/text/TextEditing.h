#pragma once
// Creating text frames and editing their stories. Positions are story character positions
// (TextFrameData.h); a range is start and count with 0 <= start, 0 <= count, start + count <= the story's
// character count. In inserted text "\r", "\n" and "\r\n" each separate paragraphs. Every operation checks
// its arguments first and changes nothing when it refuses (HOST_BAD_PARAMETER); afterwards runs with equal
// features are merged and empty runs dropped, except one that keeps an empty paragraph's features.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/document/TextFrameData.h"
#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// A point text frame whose matrix translates to the anchor, holding text with one set of features.
[[nodiscard]] platform::Result<TextFrameData> makePointText(HostRealPoint anchor, std::string_view text,
                                                            const CharacterFeatures& features = {});

/// An area text frame in a rectangle (artwork coordinates, identity matrix; the corners are put in order),
/// holding text with one set of features.
[[nodiscard]] platform::Result<TextFrameData> makeAreaText(HostRealRect area, std::string_view text,
                                                           const CharacterFeatures& features = {});

/// Creates text-frame art holding frame at a paint order relative to prefix (Document::newArt's rules);
/// refused, creating nothing, when the frame does not pass validateTextFrame.
[[nodiscard]] platform::Result<Art*> newTextFrame(Document& document, PaintOrder order, Art* prefix,
                                                  TextFrameData frame);

/// Inserts UTF-8 text before position (0 .. character count) with the features featuresAt gives there.
[[nodiscard]] platform::Result<void> insertText(TextFrameData& frame, std::int32_t position, std::string_view text);

/// Deletes a range; deleting a paragraph separator joins two paragraphs (the first keeps its justification
/// and leading). A paragraph emptied keeps the features of its first deleted character.
[[nodiscard]] platform::Result<void> deleteText(TextFrameData& frame, std::int32_t start, std::int32_t count);

/// Sets the features of a range's characters, splitting runs at its ends. Empty paragraphs the range
/// reaches take them too, so their lines change with the text around them.
[[nodiscard]] platform::Result<void> setCharacterFeatures(TextFrameData& frame, std::int32_t start,
                                                          std::int32_t count, const CharacterFeatures& features);

/// Changes the features of a range's characters through change (e.g. only the size), as
/// setCharacterFeatures; refused when a changed set of features fails validateCharacterFeatures.
[[nodiscard]] platform::Result<void> changeCharacterFeatures(TextFrameData& frame, std::int32_t start,
                                                             std::int32_t count,
                                                             const std::function<void(CharacterFeatures&)>& change);

/// Sets the justification of every paragraph that the range touches (for count 0, the paragraph of start).
[[nodiscard]] platform::Result<void> setJustification(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                                      Justification justification);

/// Sets the leading (nullopt: auto) of every paragraph that the range touches; refused unless finite and
/// 0 or more.
[[nodiscard]] platform::Result<void> setLeading(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                                std::optional<HostReal> leading);

}  // namespace host
