# Warnings for the project's own targets, linked PRIVATE so they never leak to users.
add_library(project_warnings INTERFACE)
if(MSVC)
  target_compile_options(project_warnings INTERFACE /W4 $<$<BOOL:${MINPAIRS_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    $<$<BOOL:${MINPAIRS_WARNINGS_AS_ERRORS}>:-Werror>)
endif()
