# The windowed controls: text box, check box, option button, combo box, and
# the timer. Windows only.
list(APPEND TOOLKIT_WIN_SOURCES
  CheckBox.cpp
  ComboBox.cpp
  OptionButton.cpp
  TextBox.cpp
  Timer.cpp
  WindowedControl.cpp)
