#pragma once
// <windows.h> as the Windows files of the project take it: without the min and
// max macros, which break std::min, and without the parts none of them uses.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
