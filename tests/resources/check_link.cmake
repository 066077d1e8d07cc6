# Fails when Velamo.exe's link map (MAP) holds an object file the program is kept free of.
# Each entry: a pattern of the archive member, then what it is and what keeps it out.
file(READ "${MAP}" map)
set(kept_out
  "libgcc_eh[.]a[(]|the unwinder (the program is built without exceptions)"
  "libstdc[+][+][.]a[(]eh_[a-z_]*[.]o[)]|the exception runtime"
  "libstdc[+][+][.]a[(]new_op[.]o[)]|libstdc++'s throwing operator new (app/library_errors.cpp)"
  "libstdc[+][+][.]a[(]functexcept[.]o[)]|libstdc++'s throw helpers (app/library_errors.cpp)"
  "libstdc[+][+][.]a[(]cow-stdexcept[.]o[)]|std::logic_error and kin made from C strings"
  "libstdc[+][+][.]a[(]cow-string-inst[.]o[)]|the copy-on-write string"
  "libmingwex[.]a[(][^)]*mingw_pformatw?[.]o[)]|MinGW's printf engines (the printf family, std::to_wstring)")
if(THREADS STREQUAL "win32")
  list(APPEND kept_out "libpthread[.]a[(]|winpthread: the posix thread model")
endif()
set(failed FALSE)
foreach(entry IN LISTS kept_out)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 pattern)
  list(GET entry 1 what)
  # The first mention is in the list of archive members, with what needed each.
  if(map MATCHES "[^\n]*${pattern}[^\n]*\n[^\n]*")
    message(SEND_ERROR "Velamo.exe links ${what}:\n${CMAKE_MATCH_0}")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  list(LENGTH kept_out checked)
  message(STATUS "Velamo.exe's link holds none of the ${checked} parts checked")
endif()
