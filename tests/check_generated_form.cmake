# Runs a form generator into a scratch file and fails when its output differs
# from the committed form.
#   cmake -DPYTHON=<python3> -DGENERATOR=<script> -DFORM=<committed .ui> -DOUTPUT=<scratch .ui> -P <this file>
if(NOT PYTHON)
    message(FATAL_ERROR "python3 was not found when the build was configured; it is needed to check ${FORM}")
endif()
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${PYTHON}" "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${FORM}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FORM} is not what ${GENERATOR} writes (compare with ${OUTPUT}): "
                        "change the generator, not the form, and write the form again")
endif()
