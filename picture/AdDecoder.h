#pragma once

#include "picture/AdPicture.h"

#include <atomic>
#include <functional>

namespace picture {

// Turns an ad file's bytes into its picture for a view needing one at least atLeast large (an invalid
// size: the full picture), giving up soon after a given stop turns true; decodeAdPicture wherever the
// program decodes an ad. Called from several threads.
using AdDecoder = std::function<AdPicture(QByteArrayView jpeg, QSize atLeast, const std::atomic<bool>* stop)>;

} // namespace picture
