// Linked into each Windows exe of ours. When it creates the first window, Qt 6.4's Windows
// plugin asks Direct3D 9 which graphics card there is, to keep OpenGL windows on that card's
// screen on machines with two. This Qt has no OpenGL, so the answer is never used; under Wine
// the question alone builds a software OpenGL context, about a second of every start. Defined
// here, the static link takes this one and never imports d3d9.dll; Qt takes the null for "no
// Direct3D" and places the window where it was asked to.
#include <d3d9.h>

IDirect3D9* WINAPI Direct3DCreate9(UINT /*sdkVersion*/) {
    return nullptr;
}
