// screens_hud.cpp -- the overlay of each game phase, drawn last in every frame
#include "render/screens_hud.h"

#include "common/gl.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/gl_setup.h"

void DrawOverlay() {
    // The ticker moves and wraps in every phase, also where it is not drawn.
    AdvanceTicker();

    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const float rowY = tickerMessages[overlay.tickerMessage].y;
    switch (flow.gameState) {
    case STATE_TITLE:
        DrawTicker(rowY);
        break;
    case STATE_SELECT:
        DrawSelectScreen();
        break;
    case STATE_INTRO:
        DrawTicker(static_cast<float>(H()) - rowY);  // along the top edge
        break;
    case STATE_PLAY:
        if (playerController.dying) DrawTicker(rowY);
        DrawHud();
        break;
    case STATE_LEVEL_COMPLETE:
        DrawHud();
        break;
    case STATE_NAME_ENTRY:
        DrawNameEntryPanel();
        DrawTicker(rowY);
        break;
    default:
        break;
    }

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    // The life icons leave (one, one) behind; the next pass expects the usual blend.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    static const float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
}
