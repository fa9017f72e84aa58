// extension_list.cpp -- ExtensionListed
#include "common/extension_list.h"

#include <cstring>

bool ExtensionListed(const char *extensions, const char *name) {
    if (!extensions || !*name) return false;
    const size_t length = std::strlen(name);
    for (const char *at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) return true;
    }
    return false;
}
