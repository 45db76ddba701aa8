# Sanitizer builds instrument every object and link every binary with the sanitizers' runtime, so
# the options belong to the code generation every target takes (qel_code_generation).
if(QEL_SANITIZER STREQUAL "address")
  target_compile_options(qel_code_generation INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(qel_code_generation INTERFACE -fsanitize=address,undefined)
elseif(QEL_SANITIZER STREQUAL "thread")
  target_compile_options(qel_code_generation INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(qel_code_generation INTERFACE -fsanitize=thread)
elseif(NOT QEL_SANITIZER STREQUAL "")
  message(FATAL_ERROR "QEL_SANITIZER must be empty, 'address' or 'thread'")
endif()
