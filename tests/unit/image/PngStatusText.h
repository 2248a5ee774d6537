// A short English description of a decoder status, for the tests' failure
// messages and the fuzz tests' histogram.
#pragma once

#include "image/Png.h"

namespace velmora {

inline const char* PngStatusText(PngStatus status) {
    switch (status) {
        case PngStatus::Ok: return "decoded";
        case PngStatus::NotPng: return "not a PNG picture";
        case PngStatus::Truncated: return "the PNG data ends early";
        case PngStatus::BadChunk: return "a PNG chunk is malformed or out of place";
        case PngStatus::BadCrc: return "a PNG chunk fails its checksum";
        case PngStatus::Unsupported: return "the PNG uses a feature that is not supported";
        case PngStatus::TooLarge: return "the PNG picture is too large";
        case PngStatus::BadData: return "the PNG image data is invalid";
    }
    return "unknown PNG status";
}

}  // namespace velmora
