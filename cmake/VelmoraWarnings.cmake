# Flags every velmora target shares. The figures must match the legacy program to the last digit,
# so no compiler may fuse a multiply and an add or reorder floating-point operations.
#
# Every build warns alike; only the builds CI runs (the debug presets and the Windows tests) make a
# warning an error, so that a newer compiler's new warning never stops a user's build of a program
# that is not wrong.
option(VELMORA_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (the presets CI runs)" OFF)
add_library(velmora_flags INTERFACE)
target_compile_options(velmora_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -ffp-contract=off -fno-fast-math)
if(VELMORA_WARNINGS_AS_ERRORS)
  target_compile_options(velmora_flags INTERFACE -Werror)
endif()
if(VELMORA_SANITIZE)
  target_compile_options(velmora_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velmora_flags INTERFACE -fsanitize=address,undefined)
endif()
