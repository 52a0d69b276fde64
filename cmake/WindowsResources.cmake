# Adds the window program's resource script to `target`: icon, version from
# project(VERSION ...), menu and the manifest (visual styles, DPI awareness).
# The script carries its own manifest, so an MSVC build must link with /MANIFEST:NO.
function(minpairs_add_window_resources target)
  set(resources ${PROJECT_SOURCE_DIR}/window/resources)
  set(MINPAIRS_WINDOW_ICON ${resources}/FindMinimalPairs.ico)
  set(MINPAIRS_WINDOW_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/FindMinimalPairs.manifest)
  set(MINPAIRS_RESOURCE_IDS ${PROJECT_SOURCE_DIR}/window/win32/resource_ids.h)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/FindMinimalPairs.rc)
  configure_file(${resources}/FindMinimalPairs.manifest.in ${MINPAIRS_WINDOW_MANIFEST} @ONLY)
  configure_file(${resources}/FindMinimalPairs.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
  # windres reports no dependencies: rebuild the resources when an input changes.
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS
    "${MINPAIRS_WINDOW_ICON};${MINPAIRS_WINDOW_MANIFEST};${MINPAIRS_RESOURCE_IDS}")
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
