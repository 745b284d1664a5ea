# The version that the metadata files name is the project's: the newest
# release of the AppStream data and the footer of both manual pages.
#   cmake -DVERSION=1.0.0 -DAPP=<source>/app -P versions.cmake
file(READ ${APP}/org.tessaro.Tessaro.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "The newest release of the metainfo is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()
foreach(page tessaro.1 tessaro-inspect.1)
  file(STRINGS ${APP}/${page} header REGEX "^\\.TH ")
  if(NOT header MATCHES "\"Tessaro ${VERSION}\"")
    message(FATAL_ERROR "${page} names another version: ${header}")
  endif()
endforeach()
