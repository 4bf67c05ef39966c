# A second compiler for the same 32-bit Windows target: clang with mingw-w64's headers and
# libraries, and LLVM's resource compiler, which reads resource scripts by rc.exe's grammar (it
# rejects what only GNU windres accepts). It checks that the code is portable; the tests run
# from the g++ build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
# Debian installs llvm-windres under a versioned name only, and unversioned in the folder of the
# clang it belongs to, where clang itself finds it.
execute_process(COMMAND clang -print-prog-name=llvm-windres
                OUTPUT_VARIABLE CMAKE_RC_COMPILER OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT IS_ABSOLUTE "${CMAKE_RC_COMPILER}" OR NOT EXISTS "${CMAKE_RC_COMPILER}")
  message(FATAL_ERROR "no llvm-windres beside clang (clang named \"${CMAKE_RC_COMPILER}\"): install LLVM's tools")
endif()
set(CMAKE_RC_FLAGS_INIT "--target=pe-i386")

# clang does not find the C++ library of Debian's mingw-w64 g++ by itself (it lives in a folder
# named after the thread model), so it is taken from where the posix-thread g++ keeps its libgcc.
execute_process(COMMAND ${triple}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
if(NOT EXISTS "${gcc_dir}/include/c++")
  message(FATAL_ERROR "no C++ headers of ${triple}-g++-posix found (looked in ${gcc_dir}/include/c++)")
endif()
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_dir}/include/c++ -isystem ${gcc_dir}/include/c++/${triple}")
# That g++'s libstdc++ and libgcc_eh need winpthreads; with -static, clang's -pthread puts it in
# one link group with them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir} -pthread")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
