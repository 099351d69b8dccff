# SPDX-License-Identifier: GPL-3.0-or-later
# The core is instrumented for libFuzzer; the targets in tests/fuzz link its driver.
# Only the fuzz targets are meant to be built in such a folder (scripts/fuzz).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "ORVANTA_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
endif()
target_compile_options(orvanta_options INTERFACE
  -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
  -fno-omit-frame-pointer -g)
target_link_options(orvanta_options INTERFACE -fsanitize=address,undefined)
