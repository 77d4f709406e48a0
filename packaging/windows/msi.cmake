# CPack's External generator runs this on the staged files: the MSI, built with wixl from
# scribblewick.wxs. Each version gets a product code of its own, derived from the version, so a
# rebuild of the same version is the same product.
if(NOT CPACK_SCRIBBLEWICK_WIXL)
  message(FATAL_ERROR "wixl (Debian's wixl package) is needed for the MSI")
endif()
set(stage ${CPACK_TEMPORARY_DIRECTORY})
# The .wxs names its files one by one; a new installed file must be added to it too.
file(GLOB_RECURSE staged RELATIVE ${stage} ${stage}/*)
if(NOT staged STREQUAL "scribblewick.exe")
  message(FATAL_ERROR "scribblewick.wxs installs scribblewick.exe only, CPack staged: ${staged}")
endif()
string(UUID product_code NAMESPACE ${CPACK_SCRIBBLEWICK_UPGRADE_CODE}
       NAME ${CPACK_PACKAGE_VERSION} TYPE SHA1 UPPER)
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
execute_process(
  COMMAND ${CPACK_SCRIBBLEWICK_WIXL} --arch x64 -o ${msi} -D Version=${CPACK_PACKAGE_VERSION}
          -D ProductCode=${product_code} -D UpgradeCode=${CPACK_SCRIBBLEWICK_UPGRADE_CODE}
          -D Manufacturer=${CPACK_PACKAGE_VENDOR} ${CPACK_SCRIBBLEWICK_WXS}
  WORKING_DIRECTORY ${stage} # wixl takes the files' paths as relative ones
  COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
