// Keeps the GUI library non-empty before any window exists.
