# Every target of the kit builds with the same warnings.
add_compile_options(-Wall -Wextra)
if(PF_WERROR)
  add_compile_options(-Werror)
endif()
