#pragma once
// The text of a text-frame art object. A placeholder until the text engine lands.

namespace host {

/// What a text frame holds; empty until the text engine lands.
struct TextFrameData {};

}  // namespace host
