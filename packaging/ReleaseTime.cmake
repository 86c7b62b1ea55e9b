# Read by CPack before it makes a package: the package's files and archives are timed at the
# release's time that the build was configured with, unless the packager names another.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TREVALLION_RELEASE_EPOCH})
endif()
