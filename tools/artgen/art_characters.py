# art_characters.py -- the paper-doll atlases of the three characters (colour 102, 109, 114; masks 111, 112, 115)

import functools

import figures


@functools.lru_cache(maxsize=None)
def _pair(char):
    return figures.atlas_pair(char)


PICTURES = {
    102: lambda: _pair("general")[0],
    111: lambda: _pair("general")[1],
    109: lambda: _pair("captain")[0],
    112: lambda: _pair("captain")[1],
    114: lambda: _pair("heroine")[0],
    115: lambda: _pair("heroine")[1],
}
