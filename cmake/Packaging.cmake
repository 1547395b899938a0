# `cpack -G DEB` in the build folder: quantiva_<version>_<arch>.deb with the
# install rules' files under /usr. dpkg-shlibdeps works out the run-time
# dependencies from the programs' shared libraries.
set(CPACK_PACKAGE_NAME quantiva)
set(CPACK_PACKAGE_VENDOR "Tarn Research")
set(CPACK_PACKAGE_CONTACT "Tarn Research <quantiva@tarnresearch.org>" CACHE STRING
    "The package's maintainer field")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator for 26 statistical distributions")
set(CPACK_PACKAGE_DESCRIPTION
    "Quantiva computes the PDF, the CDF and the inverse CDF of 26 discrete and
continuous distributions, from Beta to Weibull, at a point or over a range.
The desktop program writes a plain-text table and plots a chart;
quantiva-cli does the same calculation on the command line, with CSV output
at full precision.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUANTIVA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
