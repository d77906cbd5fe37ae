# The window toolkit: forms, windowless pictures and labels, picture boxes,
# the screen's scale and pointer, yielding to events, fonts, GDI owners and
# resources. Windows only.
list(APPEND TOOLKIT_WIN_SOURCES
  Events.cpp
  Font.cpp
  Form.cpp
  Gdi.cpp
  Image.cpp
  Label.cpp
  PictureBox.cpp
  Resources.cpp
  Screen.cpp)
