# The application icon: one SVG drawn for this program, and the PNG sizes a
# desktop and the window system look for, rendered from it at build time
# with rsvg-convert (librsvg2-bin, a build tool only: nothing is linked and
# the programs need nothing at run time to show the icon).
set(LAUNDRY_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/reader-manager.svg)
set(LAUNDRY_ICON_SIZES 16 24 32 48 64 128 256)

find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert renders the application icon: run scripts/bootstrap "
                      "(or apt-get install librsvg2-bin)")
endif()

# Renders every size into OUTDIR/NxN/reader-manager.png and sets VAR to the
# list of files. The rule lives in the calling folder, so call it where a
# target uses the files.
function(laundry_render_icons outdir var)
  set(pngs)
  foreach(size IN LISTS LAUNDRY_ICON_SIZES)
    set(png ${outdir}/${size}x${size}/reader-manager.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${LAUNDRY_ICON_SVG}
      DEPENDS ${LAUNDRY_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} application icon"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${var} ${pngs} PARENT_SCOPE)
  # Where the install rules find them.
  set_property(GLOBAL PROPERTY LAUNDRY_ICON_DIR ${outdir})
endfunction()
