# Flags every velmora target shares. The figures must match the legacy program to the last digit,
# so no compiler may fuse a multiply and an add or reorder floating-point operations.
add_library(velmora_flags INTERFACE)
target_compile_options(velmora_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror
  -ffp-contract=off -fno-fast-math)
if(VELMORA_SANITIZE)
  target_compile_options(velmora_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velmora_flags INTERFACE -fsanitize=address,undefined)
endif()
