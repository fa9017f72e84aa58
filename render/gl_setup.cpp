// gl_setup.cpp -- the drawing size, the fixed OpenGL state and the perspective projection
#include "render/gl_setup.h"

#include <cmath>

#include "assets/texture_loader.h"
#include "common/gl.h"
#include "render/scene_setup.h"

ClientRect clientRect;

void InitGlState() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    CheckEdgeClamp();
    InitScene();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_NORMALIZE);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

// The 45-degree perspective of gluPerspective, built on glFrustum so that no
// GLU library is needed.
void SetProjection(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = height != 0 ? static_cast<double>(width) / height : 1.0;
    const double zNear = 1.0, zFar = 100.0;
    const double top = zNear * std::tan(45.0 * 3.14159265358979323846 / 360.0);
    glFrustum(-top * aspect, top * aspect, -top, top, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
