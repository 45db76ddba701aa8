# Language level, warnings and symbol visibility shared by every target.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# Only what a library marks as exported leaves it.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

# Every target of the project links qel_warnings, and through it the code generation below.
add_library(qel_warnings INTERFACE)
target_compile_options(qel_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(QEL_WERROR)
  target_compile_options(qel_warnings INTERFACE -Werror)
endif()

# Nothing here relies on interposing a library's own symbols, so calls inside a library may be
# direct and inlined (the filter's inner loop calls exported members of its own library).
add_library(qel_code_generation INTERFACE)
target_compile_options(qel_code_generation INTERFACE -fno-semantic-interposition)
target_link_libraries(qel_warnings INTERFACE qel_code_generation)

# The games' inner loops (the plug-ins and their families' code) run a few instructions per
# candidate, and on x86 processors whose branches stall when they cross or end on a 32-byte
# boundary (Intel's jump-conditional-code erratum, most Xeons in use) their speed changed by up to
# 12% with where an unrelated change placed them. The assembler keeps branches off those
# boundaries for the targets that link this.
add_library(qel_hot_loops INTERFACE)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i[3-6]86")
  target_compile_options(qel_hot_loops INTERFACE -Wa,-mbranches-within-32B-boundaries)
endif()

# Shared libraries and plug-ins must resolve every symbol at link time.
function(qel_no_undefined target)
  if(NOT QEL_SANITIZER STREQUAL "thread")
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
