#include "host/impl/render/rsvg_library.h"

#include <dlfcn.h>

#include <optional>

namespace kpa::host::render {
namespace {

// The library's soname: what Debian's librsvg2-2 package installs.
constexpr const char* kLibraryName = "librsvg-2.so.2";

struct Loaded {
  std::optional<RsvgLibrary> library;
  std::string problem;
};

// A function of the library or of one it depends on (a handle from dlopen searches both).
template <typename Function>
bool Take(void* handle, const char* name, Function& function, std::string& problem) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) {
    problem = std::string(kLibraryName) + " has no function " + name;
    return false;
  }
  function = reinterpret_cast<Function>(symbol);
  return true;
}

Loaded Load() {
  Loaded loaded;
  void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    loaded.problem = "PNG and PDF images need librsvg (Debian package librsvg2-2): " +
                     std::string(why != nullptr ? why : kLibraryName);
    return loaded;
  }
  RsvgLibrary library{};
  std::string& problem = loaded.problem;
  const bool all =
      Take(handle, "rsvg_handle_new_from_data", library.handle_new_from_data, problem) &&
      Take(handle, "rsvg_handle_get_intrinsic_size_in_pixels",
           library.handle_get_intrinsic_size_in_pixels, problem) &&
      Take(handle, "rsvg_handle_render_document", library.handle_render_document, problem) &&
      Take(handle, "g_object_unref", library.object_unref, problem) &&
      Take(handle, "g_error_free", library.error_free, problem) &&
      Take(handle, "cairo_image_surface_create", library.image_surface_create, problem) &&
      Take(handle, "cairo_pdf_surface_create", library.pdf_surface_create, problem) &&
      Take(handle, "cairo_surface_write_to_png", library.surface_write_to_png, problem) &&
      Take(handle, "cairo_surface_finish", library.surface_finish, problem) &&
      Take(handle, "cairo_surface_status", library.surface_status, problem) &&
      Take(handle, "cairo_surface_destroy", library.surface_destroy, problem) &&
      Take(handle, "cairo_create", library.create, problem) &&
      Take(handle, "cairo_scale", library.scale, problem) &&
      Take(handle, "cairo_show_page", library.show_page, problem) &&
      Take(handle, "cairo_destroy", library.destroy, problem);
  if (all) loaded.library = library;
  return loaded;
}

}  // namespace

const RsvgLibrary* Rsvg(std::string& problem) {
  static const Loaded loaded = Load();
  if (!loaded.library) {
    problem = loaded.problem;
    return nullptr;
  }
  return &*loaded.library;
}

}  // namespace kpa::host::render
