# The regional formats (Misc): TrimAtNullOrEmpty lives in its header and
# builds everywhere; SetRegionalFormats talks to Windows.
list(APPEND ENGINE_WIN_SOURCES Regional.cpp)
