# Common compile settings for every Gigvale target.
function(gigvale_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual)
  if(GIGVALE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # Floats are computed as written: no fused multiply-add, which some targets and flags would
  # otherwise bring in, so that a seed plays the same career in every build.
  target_compile_options(${target} PRIVATE -ffp-contract=off)
  # Source paths in assertion reports are relative to the project root. A compiler cache may
  # hand the compiler paths relative to the build folder instead, so map those too.
  target_compile_options(${target} PRIVATE "-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/=")
  file(RELATIVE_PATH build_to_source "${CMAKE_BINARY_DIR}" "${PROJECT_SOURCE_DIR}")
  string(REGEX REPLACE "/+$" "" build_to_source "${build_to_source}")
  if(build_to_source)
    target_compile_options(${target} PRIVATE "-fmacro-prefix-map=${build_to_source}/=")
  endif()
endfunction()

if(GIGVALE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
