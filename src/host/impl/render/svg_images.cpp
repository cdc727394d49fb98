#include "host/impl/render/svg_images.h"

#include <cmath>
#include <memory>

#include "host/impl/render/rsvg_library.h"

namespace kpa::host::render {
namespace {

constexpr double kSvgPixelsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

// Only made once the library is loaded.
const RsvgLibrary& Library() {
  std::string unused;
  return *Rsvg(unused);
}

struct HandleDeleter {
  void operator()(RsvgHandle* handle) const { Library().object_unref(handle); }
};
struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { Library().surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* context) const { Library().destroy(context); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleDeleter>;
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

std::string TakeError(GError* error) {
  std::string text = error != nullptr ? error->message : "unknown error";
  if (error != nullptr) Library().error_free(error);
  return text;
}

struct Loaded {
  Handle handle;
  double width = 0;  // SVG pixels
  double height = 0;
  std::string error;
};

Loaded Load(std::string_view svg) {
  Loaded loaded;
  if (Rsvg(loaded.error) == nullptr) return loaded;
  const RsvgLibrary& library = Library();
  GError* error = nullptr;
  loaded.handle.reset(library.handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()),
                                                   svg.size(), &error));
  if (!loaded.handle) {
    loaded.error = TakeError(error);
    return loaded;
  }
  if (!library.handle_get_intrinsic_size_in_pixels(loaded.handle.get(), &loaded.width,
                                                   &loaded.height)) {
    loaded.error = "the SVG has no size of its own";
    loaded.handle.reset();
  }
  return loaded;
}

// Draws the document scaled by `scale` onto `context`; the problem met, if any.
std::optional<std::string> Draw(const Loaded& loaded, cairo_t* context, double scale) {
  Library().scale(context, scale, scale);
  const RsvgRectangle viewport{0, 0, loaded.width, loaded.height};
  GError* error = nullptr;
  if (!Library().handle_render_document(loaded.handle.get(), context, &viewport, &error))
    return TakeError(error);
  return std::nullopt;
}

std::string Failed(const std::filesystem::path& path, const std::string& why) {
  return "cannot write " + path.string() + ": " + why;
}

}  // namespace

std::optional<std::string> WriteSvgAsPng(std::string_view svg, const std::filesystem::path& path) {
  const Loaded loaded = Load(svg);
  if (!loaded.handle) return Failed(path, loaded.error);
  const double scale = kPrintDotsPerInch / kSvgPixelsPerInch;
  const RsvgLibrary& library = Library();
  const Surface surface(library.image_surface_create(
      CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(loaded.width * scale)),
      static_cast<int>(std::ceil(loaded.height * scale))));
  const Context context(library.create(surface.get()));
  if (const auto problem = Draw(loaded, context.get(), scale)) return Failed(path, *problem);
  if (library.surface_write_to_png(surface.get(), path.string().c_str()) != CAIRO_STATUS_SUCCESS)
    return Failed(path, "the PNG could not be written");
  return std::nullopt;
}

std::optional<std::string> WriteSvgAsPdf(std::string_view svg, const std::filesystem::path& path) {
  const Loaded loaded = Load(svg);
  if (!loaded.handle) return Failed(path, loaded.error);
  const double scale = kPointsPerInch / kSvgPixelsPerInch;
  const RsvgLibrary& library = Library();
  const Surface surface(library.pdf_surface_create(path.string().c_str(), loaded.width * scale,
                                                   loaded.height * scale));
  const Context context(library.create(surface.get()));
  if (const auto problem = Draw(loaded, context.get(), scale)) return Failed(path, *problem);
  library.show_page(context.get());
  library.surface_finish(surface.get());
  if (library.surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return Failed(path, "the PDF could not be written");
  return std::nullopt;
}

}  // namespace kpa::host::render
