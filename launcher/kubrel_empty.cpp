// Keeps the launcher library non-empty before its sources exist.
