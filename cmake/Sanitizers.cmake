# DVC_SANITIZE: "" (none), "address" (ASan + UBSan) or "thread" (TSan).
set(DVC_SANITIZE "" CACHE STRING "Sanitizer build: address or thread")
if(DVC_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(DVC_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT DVC_SANITIZE STREQUAL "")
  message(FATAL_ERROR "DVC_SANITIZE must be empty, address or thread")
endif()

