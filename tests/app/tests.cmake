# The language test once more under a German and a French desktop (the plain run has no
# desktop language and expects English).
if(TEST tst_language)
  set(language_env ${test_env})
  list(FILTER language_env EXCLUDE REGEX "^(LC_ALL|LANGUAGE)=")
  foreach(pair "de=de_DE.UTF-8" "fr=fr_FR.UTF-8")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 code)
    list(GET pair 1 locale)
    add_test(NAME tst_language_${code} COMMAND tst_language)
    set_tests_properties(tst_language_${code} PROPERTIES LABELS app TIMEOUT 300
      ENVIRONMENT "${language_env};LANG=${locale};POMMELOT_EXPECT_LANGUAGE=${code}")
  endforeach()
endif()
