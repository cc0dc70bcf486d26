# Every target of ours builds with the same warnings and, when asked, the same sanitizers.
add_compile_options(-Wall -Wextra -Wpedantic)
if(VANTORADS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
