// librsvg and cairo, opened the first time an image is asked for rather than when kpa starts:
// with their dependencies (GLib, Pango, fontconfig, HarfBuzz, ICU, X11 ...) they are forty
// shared libraries whose loading would otherwise cost every run, most of which write no PNG
// or PDF at all.
#pragma once

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <string>

namespace kpa::host::render {

// The functions the SVG renderer calls, each taken from the loaded libraries.
struct RsvgLibrary {
  decltype(&rsvg_handle_new_from_data) handle_new_from_data;
  decltype(&rsvg_handle_get_intrinsic_size_in_pixels) handle_get_intrinsic_size_in_pixels;
  decltype(&rsvg_handle_render_document) handle_render_document;
  decltype(&g_object_unref) object_unref;
  decltype(&g_error_free) error_free;
  decltype(&cairo_image_surface_create) image_surface_create;
  decltype(&cairo_pdf_surface_create) pdf_surface_create;
  decltype(&cairo_surface_write_to_png) surface_write_to_png;
  decltype(&cairo_surface_finish) surface_finish;
  decltype(&cairo_surface_status) surface_status;
  decltype(&cairo_surface_destroy) surface_destroy;
  decltype(&cairo_create) create;
  decltype(&cairo_scale) scale;
  decltype(&cairo_show_page) show_page;
  decltype(&cairo_destroy) destroy;
};

// The libraries, loaded on the first call and kept for the rest of the process; nullptr when
// they cannot be loaded, with the reason in `problem`.
const RsvgLibrary* Rsvg(std::string& problem);

}  // namespace kpa::host::render
