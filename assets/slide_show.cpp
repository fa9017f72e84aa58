// slide_show.cpp -- stills, point maps, backdrop and intro crawl
#include "assets/slide_show.h"

float crawlPosition = 57.5f;
float crawlAlpha = 1.0f;
int crawlTextureSlot = 18;

void SetUpSlideShow() {}
void SlideShowStep() {}
void DrawBackdrop() {}
void DrawIntroCrawl() {}
