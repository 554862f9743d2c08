#pragma once
// The way into the gallery, kept apart so that the gallery can come in without touching the
// screens that open it.

// Opens the gallery of the current profile: the caller has set dossierprofil, read its
// preferences and set modedejeu to 4. For now a plain waiting scene stands in for the gallery:
// Escape or a click there goes back to the profiles screen.
void OuvreGalerie();
