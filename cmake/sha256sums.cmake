# Writes OUTPUT with one "SHA-256  name" line for each of FILES (a
# ;-separated list), as sha256sum -c reads them.
set(lines "")
foreach(file IN LISTS FILES)
    file(SHA256 "${file}" hash)
    get_filename_component(name "${file}" NAME)
    string(APPEND lines "${hash}  ${name}\n")
endforeach()
file(WRITE "${OUTPUT}" "${lines}")
