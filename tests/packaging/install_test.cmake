# Installs the build into a scratch prefix and checks what a user of the
# installed tree meets: the public headers and nothing else, the libraries that
# the tool loads found from where they lie, a program built through
# find_package and one through pkg-config, the man page and the completion.
# Run as: cmake -DBUILD=... -DSOURCE=... -DSCRATCH=... -DLIBDIR=lib -DGENERATOR=Ninja
#   -DC_COMPILER=cc -DC_FLAGS=... -DLINKER_FLAGS=... [-DPKG_CONFIG=pkg-config] -P install_test.cmake
cmake_minimum_required(VERSION 3.25)

set(prefix ${SCRATCH}/prefix)
set(faults "")
# A sanitized build's tests name its library folder in LD_LIBRARY_PATH (the
# sanitizer's dlopen ignores run paths); the installed programs get the
# installed folder there instead. Otherwise they find their libraries alone.
if(DEFINED ENV{LD_LIBRARY_PATH})
  set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
endif()

# Runs a command that must exit with 0; OUTPUT names a variable for its output.
function(run)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT" "COMMAND")
  execute_process(COMMAND ${arg_COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " line "${arg_COMMAND}")
    message(FATAL_ERROR "${line}\nexited with ${status}:\n${output}${errors}")
  endif()
  if(arg_OUTPUT)
    set(${arg_OUTPUT} "${output}" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
run(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})

foreach(file bin/gjbz108a ${LIBDIR}/libgjbz108a.so ${LIBDIR}/libgjbz108a_ui.so ${LIBDIR}/libtalwen.so
    ${LIBDIR}/libappstyle.so ${LIBDIR}/pkgconfig/gjbz108a.pc ${LIBDIR}/cmake/gjbz108a/gjbz108aConfig.cmake
    ${LIBDIR}/cmake/gjbz108a/gjbz108aConfigVersion.cmake share/man/man1/gjbz108a.1
    share/bash-completion/completions/gjbz108a)
  if(NOT EXISTS ${prefix}/${file})
    string(APPEND faults "  ${file} is not installed\n")
  endif()
endforeach()

# The public headers, and no internal or test header.
file(GLOB_RECURSE headers RELATIVE ${prefix}/include ${prefix}/include/*)
file(GLOB public RELATIVE ${SOURCE}/include ${SOURCE}/include/gjbz108a/*.h)
list(APPEND public talwen/talwen.h)
list(SORT headers)
list(SORT public)
if(NOT headers STREQUAL public)
  string(APPEND faults "  the installed headers are\n    ${headers}\n  instead of\n    ${public}\n")
endif()

# The README's example through find_package, and the same program through
# pkg-config: both compute the worked example of a low-frequency diode.
set(expected "0.00109 failures per 10^6 hours\n")
run(COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/examples/library_user -B ${SCRATCH}/example -G ${GENERATOR}
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_C_FLAGS=${C_FLAGS}
  -DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS})
run(COMMAND ${CMAKE_COMMAND} --build ${SCRATCH}/example)
run(COMMAND ${SCRATCH}/example/library_user OUTPUT output)
if(NOT output STREQUAL expected)
  string(APPEND faults "  the example built through find_package printed '${output}'\n")
endif()
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
  run(COMMAND ${PKG_CONFIG} --cflags --libs gjbz108a OUTPUT flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  separate_arguments(compile_flags UNIX_COMMAND "${C_FLAGS} ${LINKER_FLAGS}")
  run(COMMAND ${C_COMPILER} ${compile_flags} ${SOURCE}/examples/library_user/main.c ${flags}
    -Wl,-rpath,${prefix}/${LIBDIR} -o ${SCRATCH}/pkg_config_user)
  run(COMMAND ${SCRATCH}/pkg_config_user OUTPUT output)
  if(NOT output STREQUAL expected)
    string(APPEND faults "  the example built through pkg-config printed '${output}'\n")
  endif()
endif()

# The installed tool finds the component library beside the plug-in: the
# example list's empty cells take its defaults, or the parts are refused.
set(ENV{TALWEN_DB} ${SCRATCH}/library.db)
run(COMMAND ${prefix}/bin/gjbz108a ${SOURCE}/examples/board.csv)

# Every command that the tool lists has its section in the man page; the
# completion offers subcommands, an option's values and a command's options.
run(COMMAND ${prefix}/bin/gjbz108a help --list OUTPUT listed)
string(STRIP "${listed}" listed)
string(REPLACE "\n" ";" listed "${listed}")
file(READ ${prefix}/share/man/man1/gjbz108a.1 man_page)
foreach(command IN LISTS listed)
  string(FIND "${man_page}" ".SS \"gjbz108a ${command}\"" at)
  if(at EQUAL -1)
    string(APPEND faults "  the man page has no section 'gjbz108a ${command}'\n")
  endif()
endforeach()
foreach(case "lib s|show search" "--format |text csv json" "change --w|--where" "r|report"
    "lib search --c|--contains --category" "report --sort |category rate")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 line)
  list(GET case 1 offered)
  run(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/complete.sh ${prefix}/share/bash-completion/completions/gjbz108a
    "${line}" OUTPUT output)
  if(NOT output STREQUAL "${offered}\n")
    string(APPEND faults "  the completion of 'gjbz108a ${line}' offers '${output}' instead of '${offered}'\n")
  endif()
endforeach()

if(faults)
  message(FATAL_ERROR "The installed tree:\n${faults}")
endif()
