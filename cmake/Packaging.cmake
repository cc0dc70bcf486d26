# The Debian package: `cpack -G DEB` in a build folder makes vantorads_<version>_<arch>.deb from the install
# rules. Its dependencies are read from the shared libraries the program links (dpkg-shlibdeps), so they
# follow whatever Qt and libjpeg-turbo the build machine has.
set(CPACK_PACKAGE_NAME vantorads)
set(CPACK_PACKAGE_VENDOR "Kestrel Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the Vantor Ads catalog disc of Roadmark Vantor advertisements")
# Debian shows the long description as it stands, so its lines are kept short.
set(CPACK_PACKAGE_DESCRIPTION [[
Vantor Ads shows the scanned advertisement pages of the Roadmark Vantor
from the Vantor Ads catalog disc. Choose a category and a model year, step
through that year's ads, widen an ad or zoom it to the full size of the
scan, print it or copy it to the clipboard, read and print the documents of
the disc, and copy all ads to the hard disk.

The catalog disc is needed, or an image file of it, which is read as it is
without mounting it.]])
set(CPACK_PACKAGE_CONTACT "Kestrel Software <vantorads@kestrelsoft.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kestrelsoft.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Liberation Sans and Sans Narrow; other fonts may not fit the captions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
