// extension_list.h -- finding one name in a driver's space-separated extension list
#pragma once

// Whether the list names exactly this extension (not one that merely starts
// or ends with it); a null list names nothing.
bool ExtensionListed(const char *extensions, const char *name);
