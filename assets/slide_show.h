// slide_show.h -- the stills behind the tower and the intro crawl
#pragma once

extern float crawlPosition;
extern float crawlAlpha;
extern int crawlTextureSlot;

void SetUpSlideShow();
void SlideShowStep();
void DrawBackdrop();
void DrawIntroCrawl();
