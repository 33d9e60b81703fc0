# Runs one fuzz target for a fixed number of inputs from its seed corpus alone, so that every run,
# on any machine, tries the same inputs: what an earlier run found is cleared first. New inputs
# go to that folder in the build tree (not the one scripts/fuzz keeps), never to the source tree.
#   cmake -DTARGET=... -DRUNS=... -DCORPUS=... -DFOUND=... -DARTIFACTS=... -P run_target.cmake
file(REMOVE_RECURSE "${FOUND}")
file(MAKE_DIRECTORY "${FOUND}")
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${TARGET}" -seed=1 -runs=${RUNS} -timeout=10 -rss_limit_mb=2048
                        "-artifact_prefix=${ARTIFACTS}" "${FOUND}" "${CORPUS}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TARGET} ended with ${status}")
endif()
