;; The course's voice: Festival with the HTS voice cmu_us_slt_arctic_hts, a
;; calm American English female voice, a little slower than its default pace.
;; Loaded before a list of (record "text" "file.wav") lines.
(voice_cmu_us_slt_arctic_hts)
(set! hts_engine_params (append hts_engine_params (list (list "-r" 0.92))))

;; Words of the course that the voice's own dictionary says wrong: its entry
;; for "APR" is the month, "IRA" is the name, the bureaus' names are guessed
;; from their letters. Each is entered for nouns and for any use.
(define (course-word word syllables)
  (lex.add.entry (list word 'n syllables))
  (lex.add.entry (list word nil syllables)))

(course-word "APR" '(((ey) 1) ((p iy) 1) ((aa r) 1)))
(course-word "APRs" '(((ey) 1) ((p iy) 1) ((aa r z) 1)))
(course-word "IRA" '(((ay) 1) ((aa r) 1) ((ey) 1)))
(course-word "IRAs" '(((ay) 1) ((aa r) 1) ((ey z) 1)))
(course-word "FDIC" '(((eh f) 1) ((d iy) 1) ((ay) 1) ((s iy) 1)))
(course-word "TransUnion" '(((t r ae n z) 1) ((y uw n) 1) ((y ax n) 0)))
(course-word "Experian" '(((ih k) 0) ((s p ih) 1) ((r iy) 0) ((ax n) 0)))
(course-word "Fiscova" '(((f ih) 0) ((s k ow) 1) ((v ax) 0)))

;; One utterance of `text` saved as a WAV file.
(define (record text file)
  (utt.save.wave (utt.synth (eval (list 'Utterance 'Text text))) file 'riff))
