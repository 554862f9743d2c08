#pragma once
// The child's choices for the current profile, kept in the file "preferences" of the folder
// dossierprofil: the ten option levels, the six sub-options and every word box, as 71
// little-endian 32-bit integers (284 bytes, no header). Levels are stored as they are, yes/no
// values as 1 or 0; any value other than 1 reads back as no.

// Loads the file into the option globals and the word boxes, then checks again which games the
// choices allow (VerifiePhrasesPossibles). A missing, short or unreadable file, or one with a
// level outside 0..2, changes nothing and gives false. Bytes after the first 284 are ignored.
bool LitPreferences();

// Stores the globals. The file is replaced whole or not at all: written beside it, checked,
// then renamed over it. False when anything failed; the old file is then left as it was.
bool EcritPreferences();
