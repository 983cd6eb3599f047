#pragma once

#if defined(_WIN32)
#if defined(ORELLE_BUILDING_LIBRARY)
#define ORELLE_EXPORT __declspec(dllexport)
#else
#define ORELLE_EXPORT __declspec(dllimport)
#endif
#else
#define ORELLE_EXPORT __attribute__((visibility("default")))
#endif
