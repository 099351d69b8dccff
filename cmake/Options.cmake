# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler settings every Orvanta target shares: the language level, warnings and, when
# asked for, AddressSanitizer and UndefinedBehaviorSanitizer.
add_library(orvanta_options INTERFACE)
target_compile_features(orvanta_options INTERFACE cxx_std_20)
target_compile_options(orvanta_options INTERFACE -Wall -Wextra -Wpedantic)
if(ORVANTA_SANITIZE)
  target_compile_options(orvanta_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(orvanta_options INTERFACE -fsanitize=address,undefined)
endif()

# The main window reads its help page from beside the program, so every program that
# builds one gets a copy of help.rtf beside it.
function(orvanta_copy_help target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/assets/help.rtf
            $<TARGET_FILE_DIR:${target}>/help.rtf)
endfunction()
