// gl_state_contract.h -- checks the OpenGL state every drawing routine must leave behind
#pragma once

#include <gtest/gtest.h>

// Depth test and lighting on, blending and 2D texturing off, emission
// (0, 0, 0, 1) on both faces, blend function (source alpha, one minus source
// alpha), colour material and renormalisation on, and no GL error pending.
// Use: EXPECT_TRUE(GlStateContractHolds()) << "after DrawSomething";
::testing::AssertionResult GlStateContractHolds();
