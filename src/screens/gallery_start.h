#pragma once
// The way into the gallery, kept apart so that the gallery can come in without touching the
// screens that open it.

// Opens the gallery of the current profile: the caller has set dossierprofil, read its
// preferences and set modedejeu to 4. A new gallery is built, kept in ecrangalerie and switched
// to.
void OuvreGalerie();
