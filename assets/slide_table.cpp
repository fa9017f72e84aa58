// slide_table.cpp -- the eighteen stills: bitmaps, size and caption of each
#include "assets/slide_show.h"

const SlideRow slideTable[SLIDE_COUNT] = {
    // still  point map  width height  caption                          caption x  caption y
    {121,     122,       256,  32,     "Presents",                      -3.5f,     -2.0f},
    {123,     124,       128,  128,    "Playable Screen Saver",         -10.0f,    -5.0f},
    {116,     117,       128,  256,    "Iselle (Wren Talbot)",          -11.0f,    12.0f},
    {137,     138,       256,  256,    "Iselle",                        11.0f,     6.0f},
    {141,     142,       256,  256,    "Iselle with some apes!",        -10.0f,    14.0f},
    {143,     144,       128,  256,    "Can you rescue Iselle?",        -10.0f,    12.0f},
    {125,     126,       256,  256,    "Cade Morrow (Miles Corrigan)",  -14.0f,    11.0f},
    {145,     146,       128,  256,    "Can you rescue Cade?",          -14.0f,    11.0f},
    {147,     148,       256,  256,    "Cade and Iselle",               4.0f,      5.0f},
    {118,     119,       128,  256,    "General Vashk (Tobin Reyes)",   -23.0f,    -8.0f},
    {155,     156,       256,  128,    "Vashk Vs Cade",                 4.0f,      2.0f},
    {157,     158,       128,  256,    "General Vashk",                 -15.0f,    2.0f},
    {134,     133,       128,  256,    "Oona (Greta Lindqvist)",        -13.0f,    10.0f},
    {135,     136,       128,  256,    "Brekko (Rufus Oakley Penn)",    -15.0f,    12.0f},
    {149,     150,       256,  128,    "Skerry the slave trader",       -9.0f,     6.0f},
    {139,     140,       256,  256,    "Ape Senator",                   10.0f,     10.0f},
    {151,     152,       128,  256,    "Kelvaron",                      -8.5f,     10.0f},
    {153,     154,       128,  256,    "Rule the Realm",                8.0f,      -2.0f},
};
