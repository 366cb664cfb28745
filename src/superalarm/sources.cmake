target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/plan.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/planner_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/planner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/milestones.cpp)
