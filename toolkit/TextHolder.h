// Anything that shows one editable text: the toolkit's text boxes implement
// it, and portable code that writes into a text box takes it by this
// interface, so that it builds without the window toolkit.
#pragma once

#include <string>

namespace tk {

class TextHolder {
 public:
  virtual ~TextHolder() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace tk
