// The window library: each window and dialog lives in its own frm_*.cpp next to
// the module it serves; this unit only anchors the library for the build.
