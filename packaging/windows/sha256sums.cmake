# Writes SHA256SUMS, in the form sha256sum -c reads, over the files named.
# cmake -DFILES="a;b" -P sha256sums.cmake, run in the files' directory.
cmake_minimum_required(VERSION 3.25)
set(sums "")
foreach(name IN LISTS FILES)
  file(SHA256 ${name} sum)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE SHA256SUMS "${sums}")
