// Replaced by the window toolkit.
