// The blend modes of SetBlendMode, shared by the drawing state and the renderer.
#pragma once

// Any other value draws as BlendSolid.
enum BlendMode {
    BlendMasked = 1,  // no blending; alpha test at 0.5
    BlendSolid = 2,   // the source replaces the frame
    BlendAlpha = 3,   // source x a + frame x (1 - a)
    BlendLight = 4,   // source x a + frame
    BlendShade = 5,   // source x frame
};
