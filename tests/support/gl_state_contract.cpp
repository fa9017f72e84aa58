// gl_state_contract.cpp -- the OpenGL state contract between drawing routines
#include "tests/support/gl_state_contract.h"

#include <string>

#include "common/gl.h"

static void ExpectEnabled(std::string &faults, GLenum capability, bool wanted, const char *name) {
    if ((glIsEnabled(capability) == GL_TRUE) != wanted) faults += std::string(name) + (wanted ? " off; " : " on; ");
}

::testing::AssertionResult GlStateContractHolds() {
    std::string faults;
    ExpectEnabled(faults, GL_DEPTH_TEST, true, "depth test");
    ExpectEnabled(faults, GL_LIGHTING, true, "lighting");
    ExpectEnabled(faults, GL_BLEND, false, "blending");
    ExpectEnabled(faults, GL_TEXTURE_2D, false, "2D texturing");
    ExpectEnabled(faults, GL_COLOR_MATERIAL, true, "colour material");
    ExpectEnabled(faults, GL_NORMALIZE, true, "renormalisation");
    for (GLenum face : {GL_FRONT, GL_BACK}) {
        GLfloat e[4] = {-1, -1, -1, -1};
        glGetMaterialfv(face, GL_EMISSION, e);
        if (e[0] != 0.0f || e[1] != 0.0f || e[2] != 0.0f || e[3] != 1.0f)
            faults += std::string(face == GL_FRONT ? "front" : "back") + " emission (" + std::to_string(e[0]) + ", " +
                      std::to_string(e[1]) + ", " + std::to_string(e[2]) + ", " + std::to_string(e[3]) + "); ";
    }
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    if (source != GL_SRC_ALPHA || destination != GL_ONE_MINUS_SRC_ALPHA) faults += "blend function; ";
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) faults += "GL error " + std::to_string(error) + "; ";
    if (faults.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
}
