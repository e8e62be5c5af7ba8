#pragma once

#include <optional>

namespace ombrelk {

// The pictures themselves live with the view; controls only name them.
enum class PictureId;
using PictureRef = std::optional<PictureId>;

}  // namespace ombrelk
