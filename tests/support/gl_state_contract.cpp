// gl_state_contract.cpp -- the OpenGL state contract between drawing routines
#include "tests/support/gl_state_contract.h"

#include <string>

#include "common/gl.h"

static void ExpectEnabled(std::string &faults, GLenum capability, bool wanted, const char *name) {
    if ((glIsEnabled(capability) == GL_TRUE) != wanted) faults += std::string(name) + (wanted ? " off; " : " on; ");
}

static void ExpectNoEmission(std::string &faults, GLenum face, const char *name) {
    GLfloat emission[4] = {-1, -1, -1, -1};
    glGetMaterialfv(face, GL_EMISSION, emission);
    if (emission[0] != 0.0f || emission[1] != 0.0f || emission[2] != 0.0f || emission[3] != 1.0f)
        faults += std::string(name) + " emission (" + std::to_string(emission[0]) + ", " + std::to_string(emission[1]) +
                  ", " + std::to_string(emission[2]) + ", " + std::to_string(emission[3]) + "); ";
}

::testing::AssertionResult GlStateContractHolds() {
    std::string faults;
    ExpectEnabled(faults, GL_DEPTH_TEST, true, "depth test");
    ExpectEnabled(faults, GL_LIGHTING, true, "lighting");
    ExpectEnabled(faults, GL_BLEND, false, "blending");
    ExpectEnabled(faults, GL_TEXTURE_2D, false, "2D texturing");
    ExpectEnabled(faults, GL_COLOR_MATERIAL, true, "colour material");
    ExpectEnabled(faults, GL_NORMALIZE, true, "renormalisation");
    ExpectNoEmission(faults, GL_FRONT, "front");
    ExpectNoEmission(faults, GL_BACK, "back");
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    if (source != GL_SRC_ALPHA || destination != GL_ONE_MINUS_SRC_ALPHA) faults += "blend function; ";
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) faults += "GL error " + std::to_string(error) + "; ";
    if (faults.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
}
