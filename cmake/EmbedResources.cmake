# embed_resources(target dir): compiles every file of resources dir (string tables and dialogs as XML, images
# as PNG) into the target as the table that PluginResources() returns (host/sdk/PluginResources.h).
set(EMBED_RESOURCES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GenerateResourceTable.cmake)

function(embed_resources target dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.xml ${dir}/*.png)
  list(SORT files)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.c)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DROOT=${dir} "-DFILES=${files}"
            -P ${EMBED_RESOURCES_SCRIPT}
    DEPENDS ${files} ${EMBED_RESOURCES_SCRIPT}
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
